# Sourced by the build scripts, from the project root. Compiles through ccache
# when it is installed, its cache kept per machine beside the cross-built ICU,
# so a fresh clone on the same machine rebuilds from it. Sets `kesh` to the
# CMake arguments that turn it on.
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/harfnur/ccache}"
  # Paths under the clone are hashed relative to it, so clones elsewhere hit.
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=1
  export CCACHE_MAXSIZE="${CCACHE_MAXSIZE:-4G}"
  kesh=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
else
  kesh=()
fi
