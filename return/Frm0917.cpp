#include "return/Frm0917.h"

namespace app {

Frm0917::Frm0917() : Form("Frm0917") {}

}  // namespace app
