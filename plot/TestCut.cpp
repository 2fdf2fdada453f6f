#include "plot/TestCut.h"

#include "plot/Commands.h"
#include "plot/CuttingHead.h"

namespace TestCut {

QByteArray commands(const Parameters& p)
{
    Commands::Initialisation init;
    init.speed = p.speed;
    init.force = p.force;
    init.acceleration = 0.2;
    init.toolOffset = p.bladeOffset;
    init.deviceControl = Commands::deviceControlForModel(p.modelName);
    init.bladeInitialisation = false;
    // The cutting head's buffer, as every other command text is assembled.
    CuttingHead head;
    head.setDiagnostics(false);
    head.append(Commands::initialisation(init));
    head.append(Commands::testCutPattern(p.offsetUnits));
    return head.buffer();
}

QByteArray modeOff() { return Commands::testCutModeOff(); }

} // namespace TestCut
