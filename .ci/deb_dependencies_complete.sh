#!/usr/bin/env bash
# deb_dependencies_complete.sh PACKAGE: checks that an installed package depends, directly or
# through its dependencies, on every package whose libraries its programs and Qt's X11 platform
# plugin load, so that installing it on a machine that has nothing else brings all of them.
set -euo pipefail
package=$1
closure=$(apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts --no-breaks \
          --no-replaces --no-enhances "$package" | grep -v '^ ' | sed 's/:.*//' | sort -u)
status=0
# Qt loads its X11 platform plugin at run time; the plugin's own package must come along too.
plugin_owner=$(dpkg -S '*/qt6/plugins/platforms/libqxcb.so' | head -n1)
plugin=${plugin_owner#*: }
if ! grep -qx "${plugin_owner%%:*}" <<<"$closure"; then
    echo "$package does not bring ${plugin_owner%%:*}, which holds $plugin" >&2
    status=1
fi
for file in $(dpkg -L "$package" | grep '/bin/') "$plugin"; do
    if ldd "$file" | grep -q 'not found'; then
        ldd "$file" | grep 'not found' >&2
        status=1
    fi
    for library in $(ldd "$file" | awk '$2 == "=>" && $3 ~ /^\// {print $3}'); do
        owner=$( (dpkg -S "$library" 2>/dev/null || dpkg -S "$(readlink -f "$library")" 2>/dev/null) | head -n1 | cut -d: -f1)
        if [ -z "$owner" ] || ! grep -qx "$owner" <<<"$closure"; then
            echo "$file loads $library (package ${owner:-unknown}), which $package does not bring" >&2
            status=1
        fi
    done
done
[ "$status" = 0 ] && echo "$package brings every library its programs and the X11 platform plugin load"
exit "$status"
