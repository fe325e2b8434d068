#include "gui/user_settings.h"

#include <QSettings>
#include <QStandardPaths>

#include "core/app_state.h"

namespace dw {
namespace {

const QString kPressureKey = QStringLiteral("pen/pressure");
const QString kContinuousKey = QStringLiteral("strokes/continuous");
const QString kUndoStepsKey = QStringLiteral("undo/steps");
const QString kAutosaveMinutesKey = QStringLiteral("autosave/minutes");

}  // namespace

QString userSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/daubwerk/daubwerk.conf");
}

void loadUserSettings(AppState& state) {
    const QSettings settings(userSettingsPath(), QSettings::IniFormat);
    const QByteArray mode = settings.value(kPressureKey).toString().toUtf8();
    parsePressureMode(std::string_view(mode.constData(), std::size_t(mode.size())),
                      state.pressureMode);
    const QString continuous = settings.value(kContinuousKey).toString();
    if (continuous == QStringLiteral("on") || continuous == QStringLiteral("off")) {
        state.continuousStrokes = continuous == QStringLiteral("on");
    }
    bool number = false;
    const uint32_t steps = settings.value(kUndoStepsKey).toString().toUInt(&number);
    if (number && steps >= 1 && steps <= UndoHistory::kMostSteps) {
        state.history.setSteps(steps);
    }
}

void saveUserSettings(const AppState& state) {
    QSettings settings(userSettingsPath(), QSettings::IniFormat);
    const std::string_view mode = pressureModeName(state.pressureMode);
    settings.setValue(kPressureKey, QString::fromUtf8(mode.data(), qsizetype(mode.size())));
    settings.setValue(kContinuousKey,
                      state.continuousStrokes ? QStringLiteral("on") : QStringLiteral("off"));
    settings.setValue(kUndoStepsKey, state.history.steps());
}

std::optional<int> autosaveMinutesSetting() {
    const QSettings settings(userSettingsPath(), QSettings::IniFormat);
    bool number = false;
    const int minutes = settings.value(kAutosaveMinutesKey).toString().toInt(&number);
    return number && minutes >= 1 ? std::optional<int>(minutes) : std::nullopt;
}

}  // namespace dw
