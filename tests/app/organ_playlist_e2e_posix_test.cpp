// The real lumenrig plays a music playlist of two schemes against a WAV file, with a pty as its port:
// the stored scheme and the bytes on the line follow the playlist's entries and times.
#include <gtest/gtest.h>

#include <string>

#include "../organ/synth_track.h"
#include "playlist_run.h"
#include "settings/ini_file.h"

TEST(LumenrigOrganPlaylist, TheSchemesOnTheLineFollowTheMusicPlaylist) {
    ptytest::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    TempFolder folder("lumenrig-playlist");
    const std::string program = programtest::installProgram(folder);
    playlistrun::writeFolder(
        folder, "[init]\r\nserial_devices=" + pty.slavePath() + "\r\n\xE0uto_com=1\r\ncur_com=1\r\n");
    const std::string track = folder.file("tone.wav");
    const std::string tone =
        "sine:" + std::to_string(playlistrun::kToneHz) + ":" + std::to_string(playlistrun::kToneAmplitude);
    ASSERT_TRUE(writeSynthTrack(tone, playlistrun::kToneSeconds, track));

    programtest::Child child(program, {"--headless", "--audio", "wav:" + track}, folder.path());
    ASSERT_TRUE(child.started());
    const playlistrun::Watched seen = playlistrun::watch(pty, [&] {
        return settings::iniLoad(folder.file("lumenrig.ini")).readString("scheme", "scheme", "");
    });
    EXPECT_EQ(child.terminate(), 0);
    playlistrun::expectFollowsThePlaylist(seen);
}
