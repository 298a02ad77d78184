# Sourced by tools/start, tools/test, tools/windows and the scripts that build
# the program: makes sure the Debian packages Tavro needs are installed,
# installing the missing ones when run as root.

# What building the program needs.
TAVRO_BUILD_PACKAGES=(g++ cmake make qt6-base-dev)
# What the tests need beyond that: clang-format for the formatting check, the
# test frameworks, the scenario runner's JSON library, the packaging tools,
# validators and checkers (lintian, hardening-check from devscripts), an X
# server with tools to drive the program in it, a window manager, a Wayland
# compositor with Xwayland and Qt's Wayland plugin, xrdb for a screen of
# another dpi, GTK's platform theme, Python to read the windows' layouts in the
# scripts that drive the program, the session and accessibility buses with
# Python's AT-SPI client, to see the program as a screen reader does, and the
# MinGW-w64 compilers and Wine, to build the Qt-free tests for Windows (with
# GoogleTest from the googletest sources) and run them.
TAVRO_TEST_PACKAGES=(clang-format googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libfast-float-dev libdragonbox-dev dpkg-dev desktop-file-utils appstream appstream-util lintian devscripts
  libxcb-xtest0-dev xvfb xdotool xclip x11-utils xauth fonts-dejavu-core qt6-gtk-platformtheme
  openbox weston xwayland qt6-wayland x11-xserver-utils
  python3 dbus libglib2.0-bin at-spi2-core python3-pyatspi
  g++-mingw-w64-x86-64-posix wine wine64)

# What tools/web needs to build the page: Debian's Emscripten (with its node
# and the JavaScript libraries its linker runs), and the number conversions
# for its C++ library (fast_float, dragonbox).
TAVRO_WEB_PACKAGES=(cmake make emscripten libfast-float-dev libdragonbox-dev)
# What the tests need of it beyond that: Debian's Chromium for the browser
# tests (headed on Xvfb, typed into by xdotool, for the keys a browser keeps),
# and the JavaScript libraries Debian's node 18 (tools/node-18) loads
# from /usr/share/nodejs. The browser tests' driver, playwright-core, comes
# from npm, as tests/programs/web/package-lock.json pins it.
TAVRO_WEB_TEST_PACKAGES=(chromium xvfb xdotool node-cjs-module-lexer node-undici)

tavro_ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Tavro needs these Debian packages. As root (su -), run:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    echo "then run this again." >&2
    exit 1
  fi
  echo "Installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What tools/windows needs beyond building the program: the MinGW-w64 cross
# compiler, Ninja and the source package tools for Qt for Windows, Wine to run
# the Windows programs, NSIS and zip for the installer and the archive, and
# what the tests drive the program with.
TAVRO_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build dpkg-dev
  wine wine64 nsis zip unzip icoutils xvfb xdotool xclip x11-utils openbox fonts-dejavu-core python3
  locales libgtest-dev googletest nlohmann-json3-dev)

# Makes sure apt can fetch source packages (apt-get source). apt's sources may
# be one-line lists (sources.list, sources.list.d/*.list), deb822 files
# (sources.list.d/*.sources, the only ones on a Debian 12 container) or both.
# Where no deb-src entry exists, one is added for each of Debian's deb
# entries, in the same form, as root (otherwise the entries to add are
# printed); where an entry exists but its source lists were never fetched,
# apt-get update fetches them. ROOT (default /) is where apt's folders are
# looked for.
#
#   tavro_ensure_debian_sources [ROOT]
tavro_ensure_debian_sources() {
  local root=${1:-}
  local etc=$root/etc/apt
  local one_line=() deb822=() file
  for file in "$etc/sources.list" "$etc"/sources.list.d/*.list; do
    [ -f "$file" ] && one_line+=("$file")
  done
  for file in "$etc"/sources.list.d/*.sources; do
    [ -f "$file" ] && deb822+=("$file")
  done

  local entries="" paragraphs=""
  if ! cat /dev/null "${one_line[@]}" "${deb822[@]}" |
    grep -qE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)'; then
    entries=$(cat /dev/null "${one_line[@]}" | grep -E '^[[:space:]]*deb[[:space:]].*debian' |
      sed -E 's/^[[:space:]]*deb[[:space:]]/deb-src /' || true)
    paragraphs=$(cat /dev/null "${deb822[@]}" | awk 'BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[[:space:]]*deb([[:space:]]|$)/ && /debian/ {
        sub(/Types:[[:space:]]*deb[^\n]*/, "Types: deb-src"); print }')
    if [ -z "$entries$paragraphs" ]; then
      echo "Building Qt for Windows needs Debian's source packages, and apt's sources under $etc" >&2
      echo "name no Debian archive to fetch them from. Add a deb-src entry for Debian 12 (bookworm)." >&2
      exit 1
    fi
  elif compgen -G "$root/var/lib/apt/lists/*_source_Sources*" >/dev/null; then
    return 0
  fi

  if [ "$(id -u)" -ne 0 ]; then
    echo "Building Qt for Windows needs Debian's source packages. As root (su -):" >&2
    [ -n "$entries" ] &&
      printf '  echo %q >> %s\n' "$entries" "$etc/sources.list.d/tavro-debian-src.list" >&2
    [ -n "$paragraphs" ] && {
      echo "  add these lines to $etc/sources.list.d/tavro-debian-src.sources:" >&2
      printf '%s' "$paragraphs" | sed 's/^/    /' >&2
    }
    echo "  apt-get update" >&2
    echo "then run this again." >&2
    exit 1
  fi
  [ -z "$entries" ] || printf '%s\n' "$entries" >"$etc/sources.list.d/tavro-debian-src.list"
  [ -z "$paragraphs" ] || printf '%s\n' "$paragraphs" >"$etc/sources.list.d/tavro-debian-src.sources"
  echo "Fetching the lists of Debian's source packages" >&2
  apt-get update -qq
}
