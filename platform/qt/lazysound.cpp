// SPDX-License-Identifier: MIT
#include "platform/qt/lazysound.h"

#include "platform/folders.h"
#include "platform/qt/soundmodule.h"

#include <QFileInfo>
#include <QtDebug>

namespace zelvan {

LazySoundPlayer::LazySoundPlayer() : LazySoundPlayer(ProgramModuleFolder()) {}

LazySoundPlayer::LazySoundPlayer(std::string moduleFolder) : m_moduleFolder(std::move(moduleFolder))
{
}

LazySoundPlayer::~LazySoundPlayer() = default;

void LazySoundPlayer::PlayAsync(const std::string &path, std::function<void()> onFailure)
{
    if (!m_loadTried) {
        m_loadTried = true;
        Load();
    }
    if (m_player) {
        m_player->PlayAsync(path, std::move(onFailure));
        return;
    }
    // Like a sound that does not decode: reported once the tick has returned.
    if (onFailure)
        QMetaObject::invokeMethod(
            &m_context, [onFailure = std::move(onFailure)] { onFailure(); }, Qt::QueuedConnection);
}

void LazySoundPlayer::Load()
{
    const QString file =
        QString::fromStdString(m_moduleFolder) + QStringLiteral("/" ZELVAN_SOUND_MODULE_FILE);
    // QLibrary would also try other names and folders, and then report the last of them.
    m_module.setFileName(file);
    if (!QFileInfo::exists(file)) {
        m_loadError = "the sound module is missing: " + file.toStdString();
    } else if (!m_module.load()) {
        // Typically Qt Multimedia is not installed.
        m_loadError = m_module.errorString().toStdString();
    } else if (const auto create =
                   reinterpret_cast<CreateSoundPlayer>(m_module.resolve(CreateSoundPlayerSymbol))) {
        m_player.reset(create());
        if (!m_player)
            m_loadError = "the sound module made no player";
    } else {
        m_loadError =
            std::string(CreateSoundPlayerSymbol) + " is missing from " + file.toStdString();
    }
    if (!m_loadError.empty())
        qWarning("zelvan: no sound: %s", m_loadError.c_str());
}

} // namespace zelvan
