# shellcheck shell=bash
# Sourced by every script that builds in this checkout or runs its tests:
# one such run at a time. A test program that ctest starts while another run
# is linking it is either gone or still open for writing, and ctest fails it
# within milliseconds without a line from the program; and the sources the
# mutation runner alters would be built into the other run's programs.
#
# lock_checkout NAME: returns once no other run holds the checkout, saying
# that it waits when it has to. The lock lives on file descriptor 9 and ends
# with the process (and whatever it starts and leaves running, so a script
# closes it with `exec 9>&-` before it starts a long-lived program).
lock_checkout() {
  mkdir -p build
  exec 9>build/.checkout.lock
  if ! flock --nonblock 9; then
    echo "$1: another build, test or mutation run is using this checkout; waiting for it to end" \
      "(whatever holds build/.checkout.lock open) ..." >&2
    flock 9
  fi
}
