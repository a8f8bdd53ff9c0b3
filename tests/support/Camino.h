//===- Camino.h - What the end-to-end road's return stores -------------===//
//
// The road (tests/e2e) types a new return for GARCIA through real input:
// premises of their own, not rectifying, cash, box 100 = 10000, 102 = 2000,
// 127 = 100 and 180 = 1340. A scripted-user test types the same and stores
// these box rows too, so both roads are held to one set.
//
//===----------------------------------------------------------------------===//
#pragma once

#include <string>
#include <vector>

namespace kr::testing {

/// The return's DET rows as "Casilla|i_valor", by box.
inline const std::vector<std::string> kFilasDelCamino = {
    "002|10076543211", "005|0",     "007|2002", "027|2",    "100|10000", "102|2000",  "113|9600",  "120|1440",
    "127|-100",        "141|0",     "142|1340", "146|1340", "180|1340",  "501|12000", "502|-2400", "503|9600",
    "513|9600",        "514|9600",  "515|9600", "516|1440", "518|9600",  "598|1340",  "599|E",     "721|1.0",
    "801|GARCIA",      "802|PEREZ", "803|JUAN", "871|0",    "896|0",     "897|0",     "898|0",     "899|0",
};

}  // namespace kr::testing
