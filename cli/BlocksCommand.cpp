#include "cli/CliCommands.h"

#include "cli/PlotJob.h"
#include "document/Document.h"
#include "plot/Block.h"
#include "plot/BlockList.h"

#include <QTextStream>

namespace {

// The block's bytes as one readable line: ESC as \e, a backslash doubled,
// other control and non-ASCII bytes as \xHH.
QString readable(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size() + 16);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0x1b)
            s += QLatin1String("\\e");
        else if (c == '\\')
            s += QLatin1String("\\\\");
        else if (c < 0x20 || c >= 0x7f)
            s += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
        else
            s += QLatin1Char(ch);
    }
    return s;
}

} // namespace

// kerfcraft-cli blocks INPUT [options]: one line per block of the plot
// stream: index, pause flag (0/1), byte count, the commands.
int cliBlocks(const QStringList& args, CliIo& io)
{
    PlotJob::Options options;
    QString error;
    if (!PlotJob::parse(args, false, options, &error)) {
        io.err << error << '\n';
        return 2;
    }
    if (options.help) {
        io.out << PlotJob::usage(QStringLiteral("blocks"), false);
        return 0;
    }
    QObject owner;
    Document doc;
    bool deviceControl = false;
    if (!PlotJob::prepare(options, doc, io.messages, owner, deviceControl, &error)) {
        io.err << error << '\n';
        return 2;
    }
    BlockList blocks(deviceControl);
    PlotJob::generate(doc, blocks, options.progress && PlotJob::isTerminal(io.err), io.err);
    for (int i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks.at(i);
        io.out << i << ' ' << (b.pause() ? 1 : 0) << ' ' << b.bytes().size() << ' '
               << readable(b.bytes()) << '\n';
    }
    io.out.flush();
    return 0;
}
