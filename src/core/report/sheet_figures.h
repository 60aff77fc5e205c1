// The number text of the sheet's working: 4 to 5 significant figures.
#pragma once

#include <string>

namespace dtii {

// Five significant figures, trailing zeros dropped down to one decimal: "2214.5", "965.0",
// "1.78", "0.012346", "-38.44";
// "—" for a value that is not finite.
std::string workingFigure(double value);

}  // namespace dtii
