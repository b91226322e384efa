#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The forms the export dialog offers the step log in.
enum class LogFileType { kText, kMarkdown, kLatex, kLatexFragment, kHtml, kPdf };

// What the user chose in the export dialog.
struct LogFileChoice {
    std::string path;  // with the form's extension when none was typed
    LogFileType type = LogFileType::kText;
    bool notation = true;  // the row operations in textbook notation go along
};

// What the editing commands ask of the platform's dialogs. The window gives
// a Qt implementation; tests script one.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Single-line input box (OK / キャンセル, at most 255 characters): the
    // confirmed text, or defaultText unchanged when cancelled.
    virtual std::string InputBox(std::string_view caption, std::string_view prompt,
                                 std::string_view defaultText) = 0;
    // Message box captioned "Korvane" with one "OK" button.
    virtual void ShowMessage(std::string_view message) = 0;
    // Confirmation captioned "確認" with "はい(&Y)" / "いいえ(&N)"; Esc is no.
    virtual bool Confirm(std::string_view message) = 0;
    // File dialogs with the filter "Korvaneの行列データ[*.kvm]" and the default
    // extension kvm; nothing when cancelled.
    virtual std::optional<std::string> OpenFileName() = 0;
    virtual std::optional<std::string> SaveFileName() = 0;
    // The same for workspace files: the filter "Korvaneのワークスペース[*.kvw]"
    // and the default extension kvw. Without dialogs of their own (a test's
    // scripted ones), the matrix file's dialogs answer.
    virtual std::optional<std::string> OpenWorkspaceName() { return OpenFileName(); }
    virtual std::optional<std::string> SaveWorkspaceName() { return SaveFileName(); }
    // A choice among a few named options (OK / キャンセル), the first one
    // preselected: the index chosen, nothing when cancelled.
    virtual std::optional<std::size_t> ChooseOne(std::string_view caption, std::string_view prompt,
                                                 const std::vector<std::string>& options) = 0;
    // The export dialog: one filter per form, the form taken from the chosen
    // filter, and whether to leave the notation out; nothing when cancelled.
    virtual std::optional<LogFileChoice> ExportFileName() = 0;
};

}  // namespace korvane
