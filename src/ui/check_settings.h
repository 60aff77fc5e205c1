// What the checks of a designer session read besides the design record: the check parameters as
// the engineer typed them (saved and opened with the design) and the belt type of the last
// calculation. Every checks panel shows these and updates when they change.
#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "core/checks/check_parameters.h"

namespace dtii {

class CheckSettings : public QObject {
    Q_OBJECT
public:
    // Absent until a parameter is typed or a design with a "checks" section is opened.
    const std::optional<CheckTexts>& texts() const { return texts_; }
    void setTexts(std::optional<CheckTexts> texts);
    // One parameter; the text must be one checkParameterProblem accepts.
    void setText(const CheckParameterKey& parameter, std::string text);

    // The parameters the texts stand for.
    CheckParameters parameters() const;

    const std::string& beltType() const { return beltType_; }
    void setBeltType(std::string beltType);

Q_SIGNALS:
    void changed();

private:
    std::optional<CheckTexts> texts_;
    std::string beltType_;
};

}  // namespace dtii
