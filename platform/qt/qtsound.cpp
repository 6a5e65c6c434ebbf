// SPDX-License-Identifier: MIT
#include "platform/qt/qtsound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace zelvan {

namespace {

// Some broken files leave the effect loading for ever instead of failing.
constexpr int LoadDeadlineMilliseconds = 3000;

} // namespace

QtSoundPlayer::QtSoundPlayer()
{
    m_loadDeadline.setSingleShot(true);
    m_loadDeadline.setInterval(LoadDeadlineMilliseconds);
    QObject::connect(&m_loadDeadline, &QTimer::timeout, &m_context,
                     [this] { Fail(SoundFault::Undecodable); });
}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::PlayAsync(const std::string &path, std::function<void()> onFailure)
{
    m_onFailure = std::move(onFailure);
    m_lastFault = SoundFault::None;
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
        // Queued: a sample another effect has already loaded turns Ready inside
        // setSource, and the failure must not come before the tick has returned.
        QObject::connect(
            m_effect.get(), &QSoundEffect::statusChanged, &m_context, [this] { StatusChanged(); },
            Qt::QueuedConnection);
    }
    const QUrl source = QUrl::fromLocalFile(QString::fromStdString(path));
    if (m_effect->source() != source) {
        m_effect->setSource(source);
        m_loadDeadline.start();
    } else {
        // Already loaded (or failed) by an earlier alarm: decide after the tick has returned.
        QMetaObject::invokeMethod(
            &m_context, [this] { StatusChanged(); }, Qt::QueuedConnection);
    }
}

void QtSoundPlayer::StatusChanged()
{
    if (!m_onFailure)
        return;
    switch (m_effect->status()) {
    case QSoundEffect::Ready:
        m_loadDeadline.stop();
        // Without an output the effect would "play" into nothing and report no error.
        if (QMediaDevices::audioOutputs().isEmpty()) {
            Fail(SoundFault::NoAudioDevice);
            return;
        }
        m_effect->play();
        m_onFailure = nullptr;
        break;
    case QSoundEffect::Error:
        Fail(SoundFault::Undecodable);
        break;
    case QSoundEffect::Null:
    case QSoundEffect::Loading:
        break;
    }
}

void QtSoundPlayer::Fail(SoundFault fault)
{
    m_loadDeadline.stop();
    m_lastFault = fault;
    if (auto onFailure = std::exchange(m_onFailure, nullptr))
        onFailure();
}

} // namespace zelvan
