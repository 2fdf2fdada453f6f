#include "document/JobSettingsTable.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace JobSettingsTable {

namespace {

using S = Document::JobSettings;

template <class T>
QVariant toVariant(const T& v)
{
    if constexpr (std::is_enum_v<T>)
        return int(v);
    else
        return QVariant::fromValue(v);
}

template <class T>
T fromVariant(const QVariant& v)
{
    if constexpr (std::is_enum_v<T>)
        return T(v.toInt());
    else
        return v.value<T>();
}

template <auto Member>
QVariant getField(const S& s)
{
    return toVariant(s.*Member);
}

template <auto Member>
void setField(S& s, const QVariant& v)
{
    using T = std::decay_t<decltype(s.*Member)>;
    s.*Member = fromVariant<T>(v);
}

template <class>
struct SetterArgument;
template <class A>
struct SetterArgument<void (Document::*)(A)> {
    using type = std::decay_t<A>;
};

template <auto Setter>
void applySetter(Document& d, const QVariant& v)
{
    using A = typename SetterArgument<decltype(Setter)>::type;
    (d.*Setter)(fromVariant<A>(v));
}

template <class T>
constexpr Row::Type typeOf()
{
    if constexpr (std::is_same_v<T, bool>)
        return Row::Bool;
    else if constexpr (std::is_same_v<T, double>)
        return Row::Double;
    else if constexpr (std::is_same_v<T, QUuid>)
        return Row::Uuid;
    else if constexpr (std::is_enum_v<T>)
        return Row::Enum;
    else
        return Row::Int;
}

template <auto Member, auto Setter>
Row row(const char* element, const char* attribute, double min = 0, double max = 0,
        QVector<EnumName> names = {}, int unknownIndex = -1)
{
    using T = std::decay_t<decltype(std::declval<S>().*Member)>;
    const Row::Type type = names.isEmpty() ? typeOf<T>() : Row::Enum;
    return Row{element,        attribute,        type,          std::move(names), unknownIndex, min,
               max,            &getField<Member>, &setField<Member>, &applySetter<Setter>};
}

// Lengths the window's spin boxes allow, in whole millimetres.
constexpr double Length = 10000;

QVector<Row> makeRows()
{
    using D = Document;
    return {
        row<&S::materialWidth, &D::setMaterialWidth>("MaterialSize", "Width", 0, Length),
        row<&S::materialHeight, &D::setMaterialHeight>("MaterialSize", "Height", 0, 1000000),
        row<&S::materialUid, &D::setMaterialUid>("MaterialSize", "MaterialUId"),
        row<&S::jobWidth, &D::setJobWidth>("JobSize", "Width", 0, Length),
        row<&S::jobHeight, &D::setJobHeight>("JobSize", "Height", 0, Length),
        row<&S::fitToMaterialSize, &D::setFitToMaterialSize>("JobSize", "FitToMaterialsize"),
        row<&S::proportional, &D::setProportional>("JobSize", "Proportional"),
        row<&S::right, &D::setRight>("Position", "Right", 0, Length),
        row<&S::bottom, &D::setBottom>("Position", "Bottom", 0, Length),
        row<&S::location, &D::setLocation>(
            "Position", "Location", 0, 0,
            {{"Manually", D::Manually}, {"BottomRight", D::BottomRight}, {"BottomLeft", D::BottomLeft},
             {"HorizontalCentered", D::HorizontalCentered}}),
        row<&S::rotation, &D::setRotation>("Position", "Rotation", 0, 0,
                                           {{"NoRotation", D::NoRotation}, {"Right90", D::Right90},
                                            {"Left90", D::Left90}, {"HalfRotation", D::HalfRotation}}),
        row<&S::mirrored, &D::setMirrored>("Position", "Mirrored"),
        row<&S::copiesCount, &D::setCopiesCount>("Copies", "Count", 1, 1000),
        row<&S::copiesHorz, &D::setCopiesHorz>("Copies", "Horz", 1, 1000),
        row<&S::copiesVert, &D::setCopiesVert>("Copies", "Vert", 1, 1000),
        row<&S::horzDistance, &D::setHorzDistance>("Copies", "HorzDistance", 0, Length),
        row<&S::vertDistance, &D::setVertDistance>("Copies", "VertDistance", 0, Length),
        row<&S::autoPlacement, &D::setAutoPlacement>("Copies", "AutoPlacement"),
        row<&S::sameDistance, &D::setSameDistance>("Copies", "SameDistance"),
        row<&S::grid, &D::setGrid>("GridOvercutQuality", "Grid"),
        row<&S::overcut, &D::setOvercut>("GridOvercutQuality", "Overcut"),
        row<&S::gridDistance, &D::setGridDistance>("GridOvercutQuality", "GridDistance", 0, Length),
        row<&S::overcutAngle, &D::setOvercutAngle>("GridOvercutQuality", "OvercutAngle", 0, 179),
        // The control counts tenths of a millimetre up to 10000.
        row<&S::overcutDistance, &D::setOvercutDistance>("GridOvercutQuality", "OvercutDistance", 0,
                                                         1000),
        // Two choices in the window: high quality or production mode.
        row<&S::quality, &D::setQuality>("GridOvercutQuality", "Quality", 0, 1),
        row<&S::homeposition, &D::setHomeposition>(
            "FinalHeadPosition", "Homeposition", 0, 0,
            {{"Startposition", D::Startposition}, {"BehindTheJob", D::BehindTheJob},
             {"LeftBesideTheJob", D::LeftBesideTheJob}}),
        row<&S::extraspace, &D::setExtraspace>("FinalHeadPosition", "Extraspace", 0, Length),
        row<&S::selection, &D::setSelection>(
            "ObjectSelection", "Selection", 0, 0,
            {{"LayerSelection", D::LayerSelection}, {"ColorSelection", D::ColorSelection}}, 1),
        row<&S::segmentation, &D::setSegmentation>("ObjectSelection", "Segmentation"),
        row<&S::segmentHeight, &D::setSegmentHeight>("ObjectSelection", "SegmentHeight", 100, Length),
        row<&S::stopBetweenLayers, &D::setStopBetweenLayers>("ObjectSelection", "StopBetweenLayers"),
        row<&S::differentCuttingParameter, &D::setDifferentCuttingParameter>(
            "ObjectSelection", "DifferentCuttingParameter"),
        row<&S::selection2, &D::setSelection2>(
            "ObjectSelection2", "Selection", 0, 0,
            {{"AllObjects", D::AllObjects}, {"AISelectedObjects", D::AISelectedObjects}}, 1),
        row<&S::usePassermarks, &D::setUsePassermarks>("ObjectSelection2", "UsePassermarks"),
        row<&S::startJobImmediatly, &D::setStartJobImmediatly>("ObjectSelection2",
                                                               "StartJobImmediatly"),
        row<&S::bladeInitializing, &D::setBladeInitializing>("AdvancedFunctions",
                                                             "BladeInitializing"),
    };
}

} // namespace

QString Row::name() const
{
    return QLatin1String(element) + QLatin1Char('.') + QLatin1String(attribute);
}

QString Row::nameOf(int value) const
{
    for (const EnumName& n : names)
        if (n.value == value)
            return QLatin1String(n.name);
    return QString();
}

bool Row::valueOf(const QString& name, int& value) const
{
    for (const EnumName& n : names)
        if (name == QLatin1String(n.name)) {
            value = n.value;
            return true;
        }
    if (unknownIndex < 0)
        return false;
    value = names[unknownIndex].value;
    return true;
}

const QVector<Row>& rows()
{
    static const QVector<Row> table = makeRows();
    return table;
}

const Row* find(const QString& name)
{
    for (const Row& r : rows())
        if (r.name() == name)
            return &r;
    return nullptr;
}

QStringList clampToRanges(Document::JobSettings& s, const QStringList& except)
{
    QStringList changed;
    for (const Row& r : rows()) {
        if (!r.hasRange() || except.contains(r.name()))
            continue;
        const double v = r.get(s).toDouble();
        // NaN never reaches here: unparsable numbers read as 0.
        const double held = std::min(std::max(v, r.min), r.max);
        if (held == v)
            continue;
        r.set(s, r.type == Row::Int ? QVariant(int(held)) : QVariant(held));
        const auto text = [&r](double x) {
            return r.type == Row::Int ? QString::number(qint64(x)) : QString::number(x, 'g', 16);
        };
        changed << QStringLiteral("%1: %2 \u2192 %3").arg(r.name(), text(v), text(held));
    }
    return changed;
}

} // namespace JobSettingsTable
