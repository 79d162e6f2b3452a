#pragma once

#include "store/font_description.h"

#include <QDialog>

#include <string>
#include <string_view>

class FontEdit;

// Asks for one line of text. "Search" (or Enter) hands back the text in the field; Escape and
// the close box hand back the text it was opened with. Typing stops at the limit (59 characters
// unless the caller asks for more); a longer initial text is shown whole, but "Search" refuses it
// until it is shortened.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTextLimit = 59;

    SearchDialog(QWidget* parent, std::string_view initialText, const QString& prompt,
                 const FontDescription* font, int limit = kTextLimit);

    // Runs the dialog modally and returns the text it hands back (Windows-1252 bytes).
    static std::string ask(QWidget* parent, std::string_view initialText, const QString& prompt,
                           const FontDescription* font = nullptr, int limit = kTextLimit);

    const std::string& text() const { return text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void search();

    std::string text_;
    FontEdit* field_;
    int limit_;
    bool shownOnce_ = false;
};
