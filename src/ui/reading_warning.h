// A warning frame and tooltip on an entry box while its text will be read differently from what
// the person likely meant ("abc" reads 0, "1,2" reads 1).
#pragma once

class QComboBox;
class QLineEdit;
class QString;

namespace dtii {

// From now on the box shows the warning whenever its text calls for it, and drops it otherwise.
void warnAboutReading(QLineEdit& box);

// The same frame on a list, with `cause` as its tooltip; an empty cause takes both away.
void showListWarning(QComboBox& list, const QString& cause);

}  // namespace dtii
