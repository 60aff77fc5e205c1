// The report window Form2: the editable report, offered for saving whenever the window closes.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>

class QLabel;
class QPlainTextEdit;

namespace dtii {

class DesignerSession;
class SheetBar;

class ReportForm : public QWidget {
    Q_OBJECT
public:
    explicit ReportForm(DesignerSession& session);

    void setReportText(std::string_view reportText);

    // The report as it now stands in the window, edits included, with CR LF line breaks.
    std::string reportText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // An out-of-date report says so above its text and offers no sheet until the equipment step
    // is confirmed again; its text stays, to be read or saved.
    void showCurrency();

    DesignerSession& session_;
    QLabel* outOfDate_ = nullptr;
    SheetBar* sheetBar_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    bool aligning_ = false;
};

}  // namespace dtii
