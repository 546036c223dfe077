// Finds where a colour is on the screen: prints "X Y COUNT", the centre of
// the pixels of the root window whose red, green and blue each lie in the
// given ranges, and their number (0 0 0 when none does), inside the optional
// box. Usage: colour_centroid RMIN RMAX GMIN GMAX BMIN BMAX [X0 Y0 X1 Y1]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

namespace {
struct Box {
    int x0, y0, x1, y1;
};

int Channel(unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return mask ? static_cast<int>(((pixel >> shift) & mask) * 255 / mask) : 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 7 && argc != 11) {
        std::fprintf(stderr, "usage: colour_centroid RMIN RMAX GMIN GMAX BMIN BMAX [X0 Y0 X1 Y1]\n");
        return 2;
    }
    int range[6];
    for (int i = 0; i < 6; ++i) range[i] = std::atoi(argv[i + 1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, root, &attributes);
    Box box{0, 0, attributes.width, attributes.height};
    if (argc == 11) {
        box = {std::atoi(argv[7]), std::atoi(argv[8]), std::atoi(argv[9]), std::atoi(argv[10])};
        if (box.x0 < 0) box.x0 = 0;
        if (box.y0 < 0) box.y0 = 0;
        if (box.x1 > attributes.width) box.x1 = attributes.width;
        if (box.y1 > attributes.height) box.y1 = attributes.height;
    }
    if (box.x1 <= box.x0 || box.y1 <= box.y0) {
        std::printf("0 0 0\n");
        return 0;
    }
    XImage* image = XGetImage(display, root, box.x0, box.y0, box.x1 - box.x0, box.y1 - box.y0,
                              AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "cannot read the screen\n");
        XCloseDisplay(display);
        return 1;
    }
    long long sumX = 0, sumY = 0, count = 0;
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const int rgb[3] = {Channel(pixel, image->red_mask), Channel(pixel, image->green_mask),
                                Channel(pixel, image->blue_mask)};
            bool inside = true;
            for (int c = 0; c < 3; ++c) inside = inside && rgb[c] >= range[2 * c] && rgb[c] <= range[2 * c + 1];
            if (!inside) continue;
            sumX += x;
            sumY += y;
            ++count;
        }
    }
    if (count == 0)
        std::printf("0 0 0\n");
    else
        std::printf("%lld %lld %lld\n", box.x0 + sumX / count, box.y0 + sumY / count, count);
    XDestroyImage(image);
    XCloseDisplay(display);
    return 0;
}
