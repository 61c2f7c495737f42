// The program's three short sounds, played through Qt Multimedia when the "Wav" setting is on.
// A missing sound file or a machine without audio output plays nothing, and that is no error.
#pragma once

#include <array>
#include <filesystem>
#include <memory>

class QSoundEffect;

namespace vantro {

inline constexpr int kSoundClick = 0;   // "click.wav": a tool button starts a command
inline constexpr int kSoundCancel = 1;  // "can.wav": the command is reset
inline constexpr int kSoundUndo = 2;    // "Undo.wav": undo and redo

class SoundPlayer {
public:
    // The sounds are looked up among the program files of executableDir; empty: the running program's.
    explicit SoundPlayer(std::filesystem::path executableDir = {});
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts the sound and returns at once. The file is looked up the first time the sound is
    // asked for.
    void Play(int sound);
    // How often a sound was asked for, and whether its file was found.
    int Requests(int sound) const;
    bool HasFile(int sound) const;

private:
    std::filesystem::path executableDir_;
    std::array<std::unique_ptr<QSoundEffect>, 3> effects_;
    std::array<bool, 3> lookedUp_{};
    std::array<int, 3> requests_{};
};

}  // namespace vantro
