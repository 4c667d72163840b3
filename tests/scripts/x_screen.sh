# Shared by the tests that type and click on an X screen of their own.

# until_true SECONDS COMMAND...: true once COMMAND succeeds, false when it
# has not within the time.
until_true() {
    local tenths=$(($1 * 10))
    shift
    for _ in $(seq "$tenths"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
# The shown windows of that exact name; none (false) when there is none.
shown() { xdotool search --onlyvisible --name "^$1\$"; }
gone() { ! shown "$1"; }
