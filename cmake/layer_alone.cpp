// Linked with one layer library taken whole, to prove it needs nothing above it.
int main() {
    return 0;
}
