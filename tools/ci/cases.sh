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

# record_steps FIRST SECOND COMMAND...: a command that prints one line per step and runs
# its second step only after the first passed; each step is a case.
record_steps() {
  local first=$1 second=$2 message status line
  shift 2
  message=$("$@" 2>&1)
  status=$?
  line=$(sed -n 2p <<< "$message")
  [ "$status" -eq 0 ] || [ -n "$line" ]
  record "$first" $? "$(head -n 1 <<< "$message")"
  [ "$status" -eq 0 ]
  record "$second" $? "${line:-not reached}"
}

finish_cases() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
