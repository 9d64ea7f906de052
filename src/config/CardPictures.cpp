#include "config/CardPictures.h"

// Placeholder until the picture loading and the wait window land.
namespace basIniProc {

void LoadCardPictures() {}

} // namespace basIniProc
