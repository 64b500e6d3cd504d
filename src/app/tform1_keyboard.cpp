// Every command from the keyboard: F10 opens the menu, the menu holds a twin of every picture
// button and the collecting double click, each with its shortcut shown beside it, and Tab
// moves through the boxes and panes in reading order. The texts the window had stay as they
// were: the shortcuts stand beside them, not as marks inside them.
#include <QMenuBar>

#include "app/tform1.h"
#include "platform/sjis_codec.h"

namespace nanbaru {

namespace {

QAction* AddItem(QMenu* menu, QAction* before, const char* text, const QKeySequence& keys) {
  auto* item = new QAction(ScreenText(Sj(text)), menu);
  item->setShortcut(keys);
  menu->insertAction(before, item);
  return item;
}

}  // namespace

void TForm1::CreateKeyboardCommands() {
  save_item->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  choose_postal_file_item->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));

  // Each item does what its button does, by clicking it.
  const auto add_button = [this](const char* text, const QKeySequence& keys, QToolButton* button,
                                 const char* hint) {
    QAction* item = AddItem(settings_menu, exit_item, text, keys);
    SetHint(item, Sj(hint));
    connect(item, &QAction::triggered, button, &QToolButton::click);
  };
  settings_menu->insertSeparator(exit_item);
  QAction* search = AddItem(settings_menu, exit_item, "検索実行", QKeySequence());
  SetHint(search, Sj("　検索を実行します。"));
  // The search of the mode shown; before any mode, the postal search lies on top.
  connect(search, &QAction::triggered, this, [this] {
    (postal_search_button->isHidden() ? area_search_button : postal_search_button)->click();
  });
  add_button("郵便番号検索", QKeySequence(QStringLiteral("Ctrl+P")), postal_mode_button,
             "郵便番号ファイルを指定します。");
  add_button("電話番号検索", QKeySequence(QStringLiteral("Ctrl+T")), phone_mode_button,
             "電話番号ファイルを検索ファイルとします。");
  // Office mode has no button: its item is its one step from the window.
  office_mode_item = AddItem(settings_menu, exit_item, "事業所の郵便番号検索",
                             QKeySequence(QStringLiteral("Ctrl+J")));
  SetHint(office_mode_item,
          Sj("会社、役所、私書箱などの事業所の郵便番号を、名前、読み、住所、番号で検索します。"));
  settings_menu->insertSeparator(exit_item);
  QAction* collect = AddItem(settings_menu, exit_item, "下の欄に保管",
                             QKeySequence(QStringLiteral("Ctrl+Return")));
  SetHint(collect, Sj("結果の欄でカーソルのある行を下の欄に保管します。"));
  connect(collect, &QAction::triggered, this,
          [this] { Guard([this] { ResultPaneDoubleClick(); }); });
  add_button("クリップボードに転送", QKeySequence(QStringLiteral("Ctrl+Shift+C")), copy_button,
             "選択されたデータをクリップボードに転送します。");
  add_button("クリップボードのデータを検索", QKeySequence(QStringLiteral("Ctrl+Shift+V")),
             clipboard_query_button, "クリップボードのデータを検索します。");
  settings_menu->insertSeparator(exit_item);

  auto* open_menu = new QAction(this);
  open_menu->setShortcut(QKeySequence(Qt::Key_F10));
  addAction(open_menu);
  connect(open_menu, &QAction::triggered, this,
          [this] { menu_bar->setActiveAction(settings_menu->menuAction()); });

  // Reading order: the query, the three filter boxes left to right, the panes, the exit.
  setTabOrder(query_box, old_code_box);
  setTabOrder(old_code_box, new_code_box);
  setTabOrder(new_code_box, pref_box);
  setTabOrder(pref_box, result_pane);
  setTabOrder(result_pane, collection_pane);
  setTabOrder(collection_pane, exit_button);
  setTabOrder(exit_button, clipboard_line_box);
}

}  // namespace nanbaru
