// FormTags: the logic of the tag layout editor window. It shows the tag
// layout as a list of settings, edits one setting at a time in the change
// box, draws a preview of the tags across, switches micro-adjust, opens the
// department window, and on "Save/Exit" writes the layout and ends the
// program.

#ifndef TAG_FORM_TAGS_H_
#define TAG_FORM_TAGS_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "common/app/controls.h"
#include "common/app/messages.h"
#include "common/platform/env.h"
#include "tag/change_order.h"
#include "tag/preview_window.h"
#include "tag/tag_layout.h"
#include "tag/tag_window_host.h"

namespace tag {

inline constexpr char kFormTagsCaption[] = "tags layout";
// What names the micro-adjust factor box beside it.
inline constexpr char kFactorLabel[] = "Micro-adjust factor";
inline constexpr char kChangeOrderInstructions[] =
    "Change the fields to print in each position on the tags then press SAVE CHANGE.  Remember "
    "that if less than the number of characters are in a field the field will be reduced to the "
    "length that is available.  If the information in a field is longer than you allow, the "
    "extra characters will not be printed. We suggest that you try a sample print of any tag "
    "layout to be sure it will fit using your printer.";

// The preview row, in twips from the top left corner of the window. Each
// position has a box with its letter below it and a line from the letter up
// to the box; a white line joins the two boxes of a tag.
inline constexpr int kPreviewBoxTop = 240;
inline constexpr int kPreviewBoxWidth = 855;
inline constexpr int kPreviewBoxHeight = 285;
inline constexpr int kPreviewLetterTop = 840;
inline constexpr int kPreviewLetterWidth = 255;
inline constexpr int kPreviewLetterHeight = 240;
inline constexpr int kPreviewHeight = 1200;

struct FormTagsControls {
  common::ListBox List1;     // the settings list
  common::Label commandset;  // the layout file's name, above the list
  common::Label Label7, Label12, Label8, Label14;
  common::TextBox tabbox;   // the change box
  common::Button Command1;  // "Save Change"
  common::CheckBox microadjust;
  common::TextBox microadjustfactor;
  common::Button save;          // "Save/Exit"
  common::Button Command2;      // "Change Order"
  common::Label DataDirectory;  // the data directory's full path
  // The preview of positions A to H: Text1 to Text8 are the boxes; Label1 to
  // Label6, Label9 and Label10 the letters; Line1 to Line8 join each letter
  // to its box, Line9 to Line12 (white) the two boxes of tags 1 to 4.
  std::array<common::TextBox, kPositionCount> Text;
  std::array<common::Label, kPositionCount> letters;
  std::array<common::LineShape, kPositionCount + kMostAcross> Line;
};

class FormTags {
 public:
  // `layout` is the tag layout the window edits; it lives as long as the
  // program does. `data_directory` is the full path of the data directory
  // of `env`, shown in the window (nothing is shown when it is empty).
  FormTags(common::Env& env, common::Messages& messages, TagWindowHost& host, TagLayout& layout,
           const std::string& data_directory = std::string());
  ~FormTags();

  FormTags(const FormTags&) = delete;
  FormTags& operator=(const FormTags&) = delete;

  // Window procedures and event procedures.
  void Form_Load();
  void loadsettings();
  void showacross1();
  void showacross2();
  void showacross3();
  void showacross4();
  void List1_Click();
  void tabbox_GotFocus();
  void tabbox_LostFocus();
  void Command1_Click();  // "Save Change"
  void save_Click();      // "Save/Exit"
  void Command2_Click();  // "Change Order"
  void microadjust_Click();
  void microadjustfactor_Change();

  // The tag preview window, shown and hidden from either window.
  void TogglePreview() { preview_.Toggle(); }
  void ClosePreview() { preview_.Close(); }
  bool preview_shown() const { return preview_.shown(); }
  // What the preview shows: the department window's layout while it is
  // open, else DEFAULT's.
  const PreviewedLayout& PreviewSubject() { return preview_.Subject(change_order_.get()); }

  // What the user does, as the front ends report it.
  void ClickSettingsLine(int index);            // selects the line: List1_Click
  void TypeChangeBox(const std::string& text);  // no event
  void ClickMicroAdjust();                      // toggles the box: microadjust_Click
  void TypeFactor(const std::string& text);     // microadjustfactor_Change

  const FormTagsControls& controls() const { return controls_; }
  const TagLayout& layout() const { return layout_; }
  std::int16_t pickedline() const { return pickedline_; }
  std::int16_t edititem() const { return edititem_; }
  const std::string& skipclick() const { return skipclick_; }
  // The department window, or null before the first "Change Order".
  ChangeOrder* change_order() { return change_order_.get(); }

 private:
  // The program changing these controls fires their events when the value
  // changes, as the user's changes do.
  void SetFactorText(const std::string& text);
  void SetMicroAdjustChecked(bool checked);

  void ShowAcross(int across);
  void MovePreview(const std::array<int, 4>& lefts_c_to_f);
  // Fills the settings list: `heading`, then one line per setting; line
  // `current_line` is current (-1 for none). No click event follows.
  void ShowSettings(const char* heading, int current_line);
  // The text of settings line `line`, 1 to 10.
  std::string SettingText(int line) const;

  common::Env& env_;
  common::Messages& messages_;
  TagWindowHost& host_;
  TagLayout& layout_;
  FormTagsControls controls_;
  std::int16_t pickedline_ = 0;
  std::int16_t edititem_ = 0;
  std::string skipclick_;
  std::unique_ptr<ChangeOrder> change_order_;
  PreviewWindow preview_;
};

}  // namespace tag

#endif  // TAG_FORM_TAGS_H_
