# Stages of tools/test.sh: each prints its wall time when it ends; a stage
# started in the background keeps its output in a log that is shown when the
# stage is collected; the run ends with a table of every stage and a line of
# how many passed and failed.
stage_logs=build/stage-logs
stage_names=()
stage_seconds=()
stage_results=()
stage_failed=0
declare -A stage_pids=()
declare -A stage_started=()

stage_now() { date +%s.%N; }
stage_elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }

stage_record() {
  local name=$1 seconds=$2 status=$3
  stage_names+=("$name")
  stage_seconds+=("$seconds")
  if [ "$status" -eq 0 ]; then
    stage_results+=(passed)
  else
    stage_results+=("FAILED (exit $status)")
    stage_failed=1
  fi
  echo "== $name: $seconds s, $([ "$status" -eq 0 ] && echo passed || echo "failed, exit $status")"
}

# A stage that does not start because an earlier one failed is listed as such.
stage_skip() {
  stage_names+=("$1")
  stage_seconds+=(-)
  stage_results+=("not run")
  echo "== $1: not run, an earlier stage failed"
}

# Runs a stage in the foreground; nothing more starts once one has failed. A
# stage is a script or a function chaining its steps with &&: set -e does not
# reach into a command whose status is tested.
run_stage() {
  local name=$1
  shift
  if [ "$stage_failed" -ne 0 ]; then
    stage_skip "$name"
    return 0
  fi
  echo "== $name"
  local start status=0
  start=$(stage_now)
  "$@" || status=$?
  stage_record "$name" "$(stage_elapsed "$start" "$(stage_now)")" "$status"
}

# Starts a stage in the background; collect_stage waits for it.
start_stage() {
  local name=$1
  shift
  if [ "$stage_failed" -ne 0 ]; then
    stage_skip "$name"
    return 0
  fi
  mkdir -p "$stage_logs"
  local log="$stage_logs/${name//[^A-Za-z0-9]/_}"
  echo "== $name (in the background, output in $log)"
  stage_started[$name]=$(stage_now)
  ( status=0; "$@" > "$log.out" 2>&1 || status=$?; stage_now > "$log.end"; exit $status ) &
  stage_pids[$name]=$!
}

collect_stage() {
  local name=$1
  [ -n "${stage_pids[$name]:-}" ] || return 0
  local log="$stage_logs/${name//[^A-Za-z0-9]/_}" status=0
  wait "${stage_pids[$name]}" || status=$?
  unset "stage_pids[$name]"
  echo "== $name (ran in the background)"
  cat "$log.out"
  stage_record "$name" "$(stage_elapsed "${stage_started[$name]}" "$(cat "$log.end")")" "$status"
}

# Collects what still runs in the background, prints the table and answers
# whether every stage passed.
finish_stages() {
  local name
  for name in "${!stage_pids[@]}"; do
    collect_stage "$name"
  done
  local total=$1 passed=0 failed=0 i
  echo
  echo "== stage times"
  for i in "${!stage_names[@]}"; do
    printf '%-44s %8s s  %s\n' "${stage_names[$i]}" "${stage_seconds[$i]}" "${stage_results[$i]}"
    case ${stage_results[$i]} in
      passed) passed=$((passed + 1)) ;;
      "not run") ;;
      *) failed=$((failed + 1)) ;;
    esac
  done
  printf '%-44s %8s s\n' "whole run (stages overlap)" "$(stage_elapsed "$total" "$(stage_now)")"
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
