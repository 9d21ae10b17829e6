#include "components/visual/MorphingModel.h"

namespace visual {

QString effectName(MorphingEffect) { return {}; }
QString phaseName(MorphingPhases) { return {}; }
QString hookKey(MorphingEffect e, MorphingPhases p) { return effectName(e) + phaseName(p); }
QStringList userCharacters(const QString &) { return {}; }
std::vector<CharacterDiffResult> diff(const QString &, const QString &) { return {}; }
float easeOutQuint(float t, float b, float c) { return c * ((t - 1) * (t - 1) * (t - 1) * (t - 1) * (t - 1) + 1) + b; }

MorphingModel::MorphingModel() = default;
bool MorphingModel::setText(const QString &text) { text_ = text; return false; }
void MorphingModel::setMeasure(Measure measure) { measure_ = std::move(measure); }
void MorphingModel::setBounds(const QRectF &bounds) { bounds_ = bounds; }
void MorphingModel::setAlignment(Qt::Alignment alignment) { alignment_ = alignment; }
void MorphingModel::setPointSize(float size) { pointSize_ = size; }
void MorphingModel::layout() {}
std::vector<QRectF> MorphingModel::rects(const QString &) { return {}; }
MorphingModel::Tick MorphingModel::displayFrameTick(float, int) { return Tick::finished; }
std::vector<CharacterLimbo> MorphingModel::limboList() const { return {}; }
CharacterLimbo MorphingModel::limboOfOriginal(const QString &, int, float) const { return {}; }
CharacterLimbo MorphingModel::limboOfNew(const QString &, int, float) const { return {}; }

} // namespace visual
