# Helpers shared by the scripts here; sourced, never run on its own.

# step NAME COMMAND...: runs one step and prints its duration.
step() {
  local name=$1; shift
  local s; s=$(date +%s)
  echo "== $name"
  "$@"
  echo "== $name: $(( $(date +%s) - s )) s"
}
