# Shared by the script tests: a best-ten file whose first place can still be sent.

le32() {
    local value=$(($1 & 0xFFFFFFFF))
    printf "\\x$(printf %02x $((value & 255)))\\x$(printf %02x $((value >> 8 & 255)))"
    printf "\\x$(printf %02x $((value >> 16 & 255)))\\x$(printf %02x $((value >> 24 & 255)))"
}

# The best-ten file: 5001 points at level 3 with 40 blocks first, sendable (check value 4958),
# then the default table; eleven blocks of 128 bytes, each entry at the start of its block.
write_best_ten() {
    for rank in $(seq 10); do
        if [ "$rank" = 1 ]; then
            le32 5001; le32 3; le32 40
        else
            le32 $((5500 - 500 * rank)); le32 $((11 - rank)); le32 $((110 - 10 * rank))
        fi
        head -c 116 /dev/zero
    done
    le32 4958
    head -c 124 /dev/zero
}
