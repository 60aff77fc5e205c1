// Fonts that travel with the program in a "fonts" folder beside it (the Windows package carries
// the sheet's font this way); a system that has the font installed needs no such folder.
#pragma once

namespace dtii {

// Makes every TrueType font in <program folder>/fonts available to this process's Qt; call it
// after the Qt application object exists. Nothing happens when there is no such folder.
void addShippedFonts();

}  // namespace dtii
