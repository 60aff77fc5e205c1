// The results window Form3: the results listing of the last calculation and the button that
// leads on to the equipment list.
#pragma once

#include <QWidget>
#include <string_view>

class QPlainTextEdit;

namespace dtii {

class DesignerSession;

class ResultsForm : public QWidget {
    Q_OBJECT
public:
    explicit ResultsForm(DesignerSession& session);

    void setResultsText(std::string_view resultsText);

private:
    void confirm();

    DesignerSession& session_;
    QPlainTextEdit* text1_ = nullptr;
};

}  // namespace dtii
