#include "desktop/SoundPlayer.h"

#include "files/ProgramFiles.h"

#include <QCoreApplication>
#include <QSoundEffect>
#include <QUrl>

#include <string_view>

namespace vantro {
namespace {

constexpr std::string_view kSoundFiles[] = {"click.wav", "can.wav", "Undo.wav"};

constexpr bool IsSound(int sound) { return sound >= 0 && sound < static_cast<int>(std::size(kSoundFiles)); }

}  // namespace

SoundPlayer::SoundPlayer(std::filesystem::path executableDir) : executableDir_(std::move(executableDir)) {}
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Play(int sound)
{
    if (!IsSound(sound)) return;
    const auto index = static_cast<size_t>(sound);
    ++requests_[index];
    if (!lookedUp_[index]) {
        lookedUp_[index] = true;
        const std::filesystem::path folder = executableDir_.empty()
                                                 ? std::filesystem::path(QCoreApplication::applicationDirPath().toStdString())
                                                 : executableDir_;
        if (const auto file = FindProgramFile(folder, kSoundFiles[index])) {
            effects_[index] = std::make_unique<QSoundEffect>();
            effects_[index]->setSource(QUrl::fromLocalFile(QString::fromStdString(file->string())));
        }
    }
    if (effects_[index]) effects_[index]->play();
}

int SoundPlayer::Requests(int sound) const
{
    return !IsSound(sound) ? 0 : requests_[static_cast<size_t>(sound)];
}

bool SoundPlayer::HasFile(int sound) const
{
    return IsSound(sound) && effects_[static_cast<size_t>(sound)] != nullptr;
}

}  // namespace vantro
