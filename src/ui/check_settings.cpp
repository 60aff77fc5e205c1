// The check parameters and belt type of a designer session.
#include "ui/check_settings.h"

namespace dtii {

void CheckSettings::setTexts(std::optional<CheckTexts> texts) {
    texts_ = std::move(texts);
    Q_EMIT changed();
}

void CheckSettings::setText(const CheckParameterKey& parameter, std::string text) {
    CheckTexts texts = texts_.value_or(CheckTexts{});
    texts.*parameter.text = std::move(text);
    setTexts(std::move(texts));
}

CheckParameters CheckSettings::parameters() const {
    return usableCheckParameters(texts_);
}

void CheckSettings::setBeltType(std::string beltType) {
    beltType_ = std::move(beltType);
    Q_EMIT changed();
}

}  // namespace dtii
