#!/bin/sh
# Stands in for systemctl in the configurator's desktop test. Every call is
# recorded in $FAKE_SYSTEMCTL_DIR/calls; the unit is stopped until a start is
# requested and from then on never gets past "activating", so a start wait
# lasts until something ends it.
dir=${FAKE_SYSTEMCTL_DIR:?}
echo "$*" >>"$dir/calls"
case " $* " in
  *" start "*) : >"$dir/started"; exit 0 ;;
  *" stop "*) exit 1 ;;
  *" show "*)
    if [ -e "$dir/started" ]; then active=activating; else active=inactive; fi
    printf 'LoadState=loaded\nActiveState=%s\nSubState=dead\nFreezerState=running\n' "$active"
    exit 0 ;;
esac
exit 1
