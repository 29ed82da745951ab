// The entry point of a room's link check: the room's whole library is linked
// beside it, so every symbol the room uses must be defined in the room or in
// the rooms it links below it.
int main() {
    return 0;
}
