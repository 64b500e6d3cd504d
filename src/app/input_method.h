#pragma once
// The input method per control: on for the boxes that take Japanese text (in hiragana mode
// where the platform lets us choose it), off for the code boxes.

class QWidget;

namespace nanbaru {

void UseHiraganaInput(QWidget* control);
void UseNoInputMethod(QWidget* control);

}  // namespace nanbaru
