// The floor of the whole-process timings: a C++ program that only starts
// and exits.
int main() {
    return 0;
}
