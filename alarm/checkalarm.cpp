// SPDX-License-Identifier: MIT
#include "alarm/checkalarm.h"

#include "alarm/soundpath.h"
#include "platform/messagebox.h"
#include "platform/sound.h"

namespace zelvan {

void CheckAlarm(Flag &AlarmEnabled, std::int32_t ElapsedSeconds, std::int16_t AlarmSeconds,
                const std::string &caption, const AlarmOutputs &outputs)
{
    if (!IsTrue(AlarmEnabled) || ElapsedSeconds < static_cast<std::int32_t>(AlarmSeconds))
        return;
    // Cleared before anything can wait on the user, so ticks that arrive while
    // the warning is open do not fire it again.
    AlarmEnabled = False;
    // Asked before the warning opens and takes the keyboard, while the window
    // the user sees is still the one judged active or not.
    if (outputs.askAttention)
        outputs.askAttention();

    const std::string path = SystemSoundPath(outputs.soundFolder);
    MessageBox &messageBox = outputs.messageBox;
    const auto warn = [&messageBox, caption] { messageBox.Warning(TimeUpMessage, caption); };
    if (outputs.isNormalFile(path))
        // An alarm that neither sounds nor shows would pass unnoticed: a sound
        // that cannot be played gets the warning too.
        outputs.sound.PlayAsync(path, warn);
    else
        warn();
}

} // namespace zelvan
