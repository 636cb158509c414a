// screen_colour: prints the colour of one pixel of the screen of $DISPLAY as six hexadecimal
// digits, rrggbb, so that end-to-end tests can tell which picture a window shows there.
//
// Usage: screen_colour X Y   (root-window coordinates)
// Exit status: 0 printed, 1 bad usage, no X display or a point off the screen.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: screen_colour X Y\n");
        return 1;
    }
    const int x = atoi(argv[1]);
    const int y = atoi(argv[2]);
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "screen_colour: cannot open the X display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    if (x < 0 || y < 0 || x >= DisplayWidth(display, screen) ||
        y >= DisplayHeight(display, screen)) {
        fprintf(stderr, "screen_colour: %d,%d is off the screen\n", x, y);
        XCloseDisplay(display);
        return 1;
    }
    XImage* image = XGetImage(display, RootWindow(display, screen), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) {
        fprintf(stderr, "screen_colour: cannot read the screen\n");
        XCloseDisplay(display);
        return 1;
    }
    XColor colour = {.pixel = XGetPixel(image, 0, 0)};
    XQueryColor(display, DefaultColormap(display, screen), &colour);
    printf("%02x%02x%02x\n", colour.red >> 8, colour.green >> 8, colour.blue >> 8);
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}
