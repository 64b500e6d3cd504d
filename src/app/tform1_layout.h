#pragma once
// The window's layout names its parts by kind and number; the code names them by role. This
// table is the one place where the two meet, with the handlers beside the layout's names for
// them (one handler serves every part that did the same thing).
//
//   Role name                    Layout name   Handler                Layout's handler
//   query_label                  Label6
//   query_box                    ComboBox1     QueryKeyPress          combopress
//   tool_bar                     Panel1
//   postal_search_button         SpeedButton5  PostalSearchClick      SpeedButton5Click
//   area_search_button           SpeedButton2  AreaSearchClick        SpeedButton2Click
//   choose_postal_file_button    SpeedButton1  ChoosePostalFileClick  SpeedButton1Click
//   phone_mode_button            SpeedButton3  PhoneModeClick         SpeedButton3Click
//   postal_mode_button           SpeedButton4  PostalModeClick        SpeedButton4Click
//   copy_button                  SpeedButton9  CopySelectionClick     SpeedButton9Click
//   clipboard_query_button       SpeedButton8  ClipboardQueryClick    SpeedButton8Click
//   exit_button                  BitBtn1       ExitClick              BitBtn1Click
//   old_code_label               Label2
//   new_code_label               Label3
//   pref_label                   Label4
//   old_code_box                 Edit1
//   new_code_box                 Edit2
//   pref_box                     Edit3
//   postal_mode_picture          Image1        PhoneModeClick         Image1DblClick
//   phone_mode_picture           Image2        PostalModeClick        Image2DblClick
//   count_frame                  Panel5
//   count_label                  Label1
//   column_header_bar            Panel3
//   column_header                Label5
//   result_pane                  Memo1         ResultPaneClick        memocli
//                                              ResultPaneDoubleClick  Memo1DblClick
//   collection_pane              Memo2
//   collection_bar               Panel4
//   side_copy_button             SpeedButton7  CopySelectionClick     SpeedButton7Click
//   side_clipboard_query_button  SpeedButton6  ClipboardQueryClick    SpeedButton6Click
//   clipboard_line_box           Edit4
//   status_line                  Panel2
//   menu_bar                     MainMenu1
//   settings_menu                file1
//   save_item                    save1         SaveCollectionClick    save1Click
//   choose_postal_file_item      K1            ChoosePostalFileClick  K1Click
//   exit_item                    exit1         ExitClick              exit1Click
//   about_item                   font1         AboutClick             font1Click
//   postal_file_dialog           OpenDialog1
//   save_dialog                  SaveDialog1
//   (the window's resize)                      FitPanesToWindow       fore
//
// Three hidden labels held state in their captions; the state is now a plain member each:
//
//   postal_file                  Label7
//   start_folder                 Label9
//   last_area_file               Label11
//
// Their first values are the labels' captions in the layout, byte for byte: a postal file
// never set still reaches line 8 of the settings file as its caption.

namespace nanbaru {

inline constexpr char kPostalFileLayoutText[] = "Label7 ｃｄ　dir";
inline constexpr char kStartFolderLayoutText[] = "label9 起動ディレクトリ";
inline constexpr char kLastAreaFileLayoutText[] = "Label11";

}  // namespace nanbaru
