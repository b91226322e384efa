#pragma once

#include <QString>

#include "core/editing/Dialogs.h"

class QWidget;

namespace korvane {

// The editing commands' dialogs as modal Qt dialogs over the main window.
class QtDialogs : public Dialogs {
  public:
    static constexpr int kMaxInputLength = 255;

    explicit QtDialogs(QWidget* parent) : parent_(parent) {}

    std::string InputBox(std::string_view caption, std::string_view prompt,
                         std::string_view defaultText) override;
    void ShowMessage(std::string_view message) override;
    bool Confirm(std::string_view message) override;
    std::optional<std::string> OpenFileName() override;
    std::optional<std::string> SaveFileName() override;
    std::optional<std::string> OpenWorkspaceName() override;
    std::optional<std::string> SaveWorkspaceName() override;
    std::optional<std::size_t> ChooseOne(std::string_view caption, std::string_view prompt,
                                         const std::vector<std::string>& options) override;
    std::optional<LogFileChoice> ExportFileName() override;

    // The box for an error that ends a command: captioned "Korvane", the
    // error's message, one "OK" button.
    static void ShowError(QWidget* parent, const QString& message);

  private:
    // filter names the files; suffix is given to a name typed without one.
    std::optional<std::string> AskFileName(bool save, const QString& filter,
                                           const QString& suffix);

    QWidget* parent_;
};

}  // namespace korvane
