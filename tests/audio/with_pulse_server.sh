#!/bin/sh
# Runs a command with a private PulseAudio server (one null output, "Tone") reachable through
# PULSE_SERVER; exits 77 (skipped) when no server can be started here.
set -u
dir=$(mktemp -d /tmp/lumenrig-pulse-XXXXXX)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
cat >"$dir/server.pa" <<PA
load-module module-null-sink sink_name=tone rate=44100 channels=2 sink_properties=device.description=Tone
load-module module-native-protocol-unix auth-anonymous=1 socket=$dir/native
PA
export PULSE_RUNTIME_PATH="$dir" PULSE_STATE_PATH="$dir" PULSE_COOKIE="$dir/cookie" PULSE_SERVER="unix:$dir/native"
command -v pulseaudio >/dev/null || { echo "skipped: pulseaudio is not installed"; exit 77; }
pulseaudio --daemonize=no --exit-idle-time=-1 -n -F "$dir/server.pa" --disable-shm=yes --use-pid-file=no \
    --system=no --log-target=stderr 2>"$dir/server.log" &
pid=$!
tries=0
until [ -S "$dir/native" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 200 ] || ! kill -0 "$pid" 2>/dev/null; then
        echo "skipped: the private PulseAudio server did not start"; cat "$dir/server.log"; exit 77
    fi
    sleep 0.05
done
"$@"
