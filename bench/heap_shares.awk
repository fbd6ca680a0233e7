# Splits heaptrack's peak-cost stacks (heaptrack_print --flamegraph-cost-type
# peak -F) into the game's own heap, the GL driver's and other libraries'.
#   awk -f heap_shares.awk MODULES STACKS
# MODULES lines are "ADDRESS LIBRARY" for the addresses heaptrack could not
# name; STACKS lines are "root;...;leaf BYTES".

function is_gl_library(library) {
  return library ~ /dri\/|libLLVM|libGL|libOpenGL|libglapi|libgallium|^\?\?$/
}

# A frame of the GL driver: an address in one of its libraries, an address of
# no library at all (shader code the driver compiled at run time), or a
# function the driver exports by name.
function is_gl_frame(frame,    address) {
  if (frame ~ /^0x[0-9a-f]+/) {
    address = frame
    sub(/ .*/, "", address)
    return !(address in library_of) || is_gl_library(library_of[address])
  }
  return frame ~ /^(llvm::|LLVM|gl[A-Z]|_mesa|lp_|draw_|st_|util_|gallivm|dri)/
}

# A frame of some other library: an address in it, or a name that comes with
# no source file (the game is built with debug information, the libraries
# without) or with one of the C library's.
function is_library_frame(frame) {
  if (frame ~ /^0x[0-9a-f]+/)
    return 1
  return frame !~ /\(.*\)$/ || frame ~ /\((dl-|dl[a-z]*\.c|malloc\.c)/
}

function mib(bytes) { return sprintf("%7.2f MiB", bytes / 1048576) }

FNR == NR { library_of[$1] = $2; next }

{
  bytes = $NF
  sub(/;? [0-9]+$/, "")
  count = split($0, frames, ";")
  share = "game"
  for (i = 1; i <= count; ++i) {
    if (is_gl_frame(frames[i])) { share = "gl"; break }
  }
  if (share == "game" && is_library_frame(frames[count]))
    share = "libraries"
  total[share] += bytes
  sum += bytes
  if (share == "game")
    by_function[innermost_game_function(frames, count)] += bytes
}

# The deepest frame of a function in one of the game's own source files, so
# that a vector filled in a loader counts against that loader.
function innermost_game_function(frames, count,    i, name) {
  for (i = count; i >= 1; --i) {
    if (frames[i] ~ /\([A-Za-z]+\.cpp\)$/) {
      name = frames[i]
      sub(/ *\(.*/, "", name)
      return name
    }
  }
  return "(no frame of the game)"
}

END {
  print "heap at its peak:  " mib(sum)
  print "  the game's own:  " mib(total["game"])
  print "  the GL driver:   " mib(total["gl"])
  print "  other libraries: " mib(total["libraries"])
  print "the game's own share by the function that asked for it:"
  for (name in by_function)
    printf "%s  %s\n", mib(by_function[name]), name | "sort -rn | head -n 8"
}
