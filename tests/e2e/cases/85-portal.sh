# Pick from Screen in a Wayland session with the program on X11 (Xwayland): the desktop
# portal picks, not the program's own overlay, and a portal that is not running yet is
# started by the bus. The portal here is fake_portal.py on a bus of its own, which starts it
# on the first call; a closed picker (code 1, or 2 as some answer) is a cancel, with no box.
command -v dbus-daemon >/dev/null || { echo "skipped: dbus-daemon is not installed"; exit 0; }
bus_dir=$(mktemp -d)
mkdir "$bus_dir/services"
answers="$bus_dir/answers"
printf '0.2 0.4 0.6\ncancel 2\ncancel 1\n' > "$answers"
cat > "$bus_dir/services/org.freedesktop.portal.Desktop.service" <<SERVICE
[D-BUS Service]
Name=org.freedesktop.portal.Desktop
Exec=/usr/bin/python3 $e2e_dir/fake_portal.py $answers
SERVICE
cat > "$bus_dir/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$bus_dir</listen>
  <servicedir>$bus_dir/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$bus_dir/bus.conf" --print-address=3 --print-pid=4 --fork \
  3>"$bus_dir/address" 4>"$bus_dir/pid" >/dev/null 2>&1
wait_until test -s "$bus_dir/address"
bus_pid=$(head -1 "$bus_dir/pid")
end_bus() { kill "$bus_pid" 2>/dev/null; rm -rf "$bus_dir"; }

DBUS_SESSION_BUS_ADDRESS=$(head -1 "$bus_dir/address") WAYLAND_DISPLAY=wayland-0 \
  start_program || { end_bus; exit 0; }
picker_box() { xdotool search --onlyvisible --name 'Pick from Screen' >/dev/null 2>&1 && echo yes || echo no; }
log_lines() { [ -f "$answers.log" ] && wc -l < "$answers.log" | tr -d ' ' || echo 0; }
sent_lines() { [ -f "$answers.sent" ] && wc -l < "$answers.sent" | tr -d ' ' || echo 0; }

focus_main
key ctrl+shift+p
wait_for "the bus starts the portal, which is asked for a colour" "1" log_lines
check "for the program's X11 window" "x11:" "$(cut -c1-4 "$answers.log")"
wait_until output_is 1 sent_lines
# The colour in the window shows the answer was taken; only then is "no box" telling.
focus_main
wait_for "the portal's colour lands in the window" "336699" eval 'key ctrl+c; clipboard'
check "no overlay and no box of the program's own" "no" "$(picker_box)"

for code in 2 1; do
  key ctrl+shift+p
  wait_until output_is $(( 4 - code )) sent_lines
  # A box would be modal: a copy from the main window comes after the answer was taken.
  settle
  focus_main
  check_copy "a picker closed with code $code changes nothing" "336699" ctrl+c
  check "and shows no box" "no" "$(picker_box)"
done
stop_program
end_bus
