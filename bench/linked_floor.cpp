// The floor of zelvo --convert: a program that loads the libraries zelvo is linked to and
// does nothing else.
int main() {
    return 0;
}
