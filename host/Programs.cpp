#include "host/Programs.h"

namespace dexlora {

// The build passes the paths of its targets in.
Programs BuiltPrograms() { return {KR_PROGRAM_KR917, KR_PROGRAM_LUD917, KR_PROGRAM_SUMMARY}; }

}  // namespace dexlora
