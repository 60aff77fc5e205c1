// The design checks beside the results or the report: the check parameters, editable, and
// one row per check with its value, requirement, verdict (a word and a colour) and advice. The
// rows follow every change of the parameters at once, in every panel of the session.
#pragma once

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace dtii {

class DesignerSession;
struct CheckParameterKey;

class ChecksPanel : public QWidget {
    Q_OBJECT
public:
    ChecksPanel(DesignerSession& session, QWidget* parent);

    // Shows the checks of the session's design as it now stands.
    void refresh();

private:
    void parameterEdited(const CheckParameterKey& parameter, const QString& text);
    void showParameters();
    void showRows();
    QLineEdit*& editOf(const CheckParameterKey& parameter);

    DesignerSession& session_;
    QLineEdit* safetyFactor_ = nullptr;
    QLineEdit* surchargeAngle_ = nullptr;
    QComboBox* motorSpeed_ = nullptr;
    QLineEdit* idlerLife_ = nullptr;
    QLineEdit* takeUpAllowance_ = nullptr;
    QLabel* problem_ = nullptr;
    QTableWidget* rows_ = nullptr;
};

}  // namespace dtii
