#include "plot/TestCut.h"

namespace TestCut {

QByteArray pattern(int offsetUnits)
{
    return "PU0," + QByteArray::number(offsetUnits)
        + ";PR64,300;PD;PR208,-120;PR-208,-120;PR0,240;PU;PR-64,-300;PD;"
          "PR360,0;PR0,360;PR-360,0;PR0,-360;PU0,0;PR2000,0;";
}

QByteArray reset() { return QByteArrayLiteral("IN;SP1;PU0,0;"); }

} // namespace TestCut
