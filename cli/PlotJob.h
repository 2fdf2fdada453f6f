#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class BlockList;
class Document;
class QObject;
class QTextStream;
class UserMessages;

// What `kerfcraft-cli plot` and `blocks` share: their options, and turning
// an input drawing plus those options into a document ready for plot
// generation. Every failure comes back as one German sentence.
namespace PlotJob {

struct Options {
    QString input;
    QString output;         // -o; empty: standard output
    QString plotter;        // model name; empty: first model of the presets
    QString material;       // name or ID; empty: first material
    QString blade;          // name or ID; empty: the material's blade
    int speed = -1;         // -1: from the material
    int force = -1;
    int passes = -1;
    bool hasBladeOffset = false;
    double bladeOffset = 0; // mm, replaces the blade's offset correction
    bool hasOffsetCorrection = false;
    double offsetCorrection = 0; // mm, the document's correction
    bool bladeInit = false;
    bool usePlotterSettings = false;
    QList<QPair<QString, QString>> settings; // --set Element.Attribute=VALUE, in order
    int materialWidth = 0;  // --material-size WxH in mm; 0: not given
    int materialHeight = 0;
    // The loaded medium of the plotter the job goes to (send); 0: none.
    int mediaWidth = 0;
    int mediaHeight = 0;
    bool allowClipping = false; // --allow-clipping: cut what fits, clamp the rest
    bool progress = false;
    bool exchange = false; // --exchange: an SVG is the host plug-in's exchange file
    bool help = false;
};

// allowOutput: whether -o/--output is accepted.
bool parse(const QStringList& args, bool allowOutput, Options& options, QString* error);

// The options' help text (German).
QString usage(const QString& command, bool allowOutput);

// Loads the input and applies presets, job parameters and settings. The
// material is, in this order of precedence: --material-size; --set
// MaterialSize.*; the plotter's loaded medium (send); a job file's own
// size; for a drawing, the model's widest cut and a length that holds the
// job. A job that does not fit (JobFit) fails unless allowClipping. The
// presets file is the user's, or the shipped default beside the executable.
// `owner` keeps objects the options create (a blade with a given offset).
// deviceControl: whether the chosen plotter model takes the ESC strings.
bool prepare(const Options& options, Document& doc, UserMessages& messages, QObject& owner,
             bool& deviceControl, QString* error);

// Sets one job setting by its job-file name ("Position.Rotation") from
// text: numbers in decimal, booleans as 0/1/true/false, enumerations by
// name or number.
bool applySetting(Document& doc, const QString& name, const QString& value, QString* error);

// True when the stream writes to a terminal (progress is shown only there).
bool isTerminal(QTextStream& stream);

// Generates the prepared job into `blocks`; with showProgress a percentage
// on err, rewritten in place.
void generate(Document& doc, BlockList& blocks, bool showProgress, QTextStream& err);

} // namespace PlotJob
