# One line per case for the check scripts: source it, call record for each case and
# end with finish_cases, which prints the count and returns 1 when a case failed.
passed=0
failed=0

# record NAME STATUS MESSAGE
record() {
  local name=$1 status=$2 message=$3
  if [ "$status" -eq 0 ]; then
    passed=$((passed + 1))
    echo "PASS  $name: $message"
  else
    failed=$((failed + 1))
    echo "FAIL  $name: $message"
  fi
}

# record_command NAME COMMAND...: a case decided by a command's status, its output the message.
record_command() {
  local name=$1 message status
  shift
  message=$("$@" 2>&1)
  status=$?
  record "$name" "$status" "$message"
}

finish_cases() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
