#pragma once
// Qt's own dialogs and buttons (file dialogs, message-box buttons) read in Japanese, as the
// rest of the window does, whatever the user's locale.

class QCoreApplication;

namespace nanbaru {

// Loads Qt's Japanese translations from Qt's own folder, else from a "translations" folder
// beside the program, and makes Japanese the default locale. Returns whether they were found;
// without them Qt's texts stay in English.
bool InstallJapaneseTranslations(QCoreApplication& application);

}  // namespace nanbaru
