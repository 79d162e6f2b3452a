#pragma once

#include "store/font_description.h"

#include <QDialog>

#include <string>
#include <string_view>

class FontEdit;

// Asks for one line of text. "Search" (or Enter) hands back the text in the field; Escape and
// the close box hand back the text it was opened with. Typing stops at 59 characters; a longer
// initial text is shown whole, but "Search" refuses it until it is shortened.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTextLimit = 59;

    SearchDialog(QWidget* parent, std::string_view initialText, const QString& prompt,
                 const FontDescription* font);

    // Runs the dialog modally and returns the text it hands back (Windows-1252 bytes).
    static std::string ask(QWidget* parent, std::string_view initialText, const QString& prompt,
                           const FontDescription* font = nullptr);

    const std::string& text() const { return text_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void search();

    std::string text_;
    FontEdit* field_;
    bool shownOnce_ = false;
};
