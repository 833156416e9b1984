// The section being composed: four fixed-size element tables, a snap-point
// table beside each, and the counters of the next free element.
// Element number 0 and field number 0 exist but are never used, so that the
// element and field numbers are the ones every procedure talks about.
#pragma once

namespace vask {

constexpr int MAXRETTANGOLI = 5;
constexpr int MAXTRIANGOLI = 5;
constexpr int MAXCERCHI = 5;
constexpr int MAXLINEE = 10;

// Field numbers of `rettangoli`.
namespace R {
enum : int { x1 = 1, y1, x2, y2, densita, massa, ix, iy, xg, yg, ixy, area, CAMPI = area };
}
// Field numbers of `triangoli`.
namespace T {
enum : int { x1 = 1, y1, x2, y2, x3, y3, densita, massa, ix, iy, xg, yg, ixy, area, CAMPI = area };
}
// Field numbers of `cerchi`.
namespace C {
enum : int { xc = 1, yc, raggio, densita, massa, ix, iy, ixy, area, CAMPI = area };
}
// Field numbers of `linee`.
namespace L {
enum : int { x1 = 1, y1, x2, y2, CAMPI = y2 };
}

// Snap points per element: point k sits in fields 2k-1 (x) and 2k (y).
constexpr int PUNTIRETTANGOLO = 9;
constexpr int PUNTITRIANGOLO = 7;
constexpr int PUNTICERCHIO = 5;
constexpr int PUNTILINEA = 2;

struct Sezione {
    float rettangoli[MAXRETTANGOLI + 1][R::CAMPI + 1] = {};
    float triangoli[MAXTRIANGOLI + 1][T::CAMPI + 1] = {};
    float cerchi[MAXCERCHI + 1][C::CAMPI + 1] = {};
    float linee[MAXLINEE + 1][L::CAMPI + 1] = {};

    float puntirettangoli[MAXRETTANGOLI + 1][2 * PUNTIRETTANGOLO + 1] = {};
    float puntitriangoli[MAXTRIANGOLI + 1][2 * PUNTITRIANGOLO + 1] = {};
    float punticerchi[MAXCERCHI + 1][2 * PUNTICERCHIO + 1] = {};
    float puntilinee[MAXLINEE + 1][2 * PUNTILINEA + 1] = {};

    // Number of the next free element of each kind; count = counter - 1.
    int prossimorettangolo = 1;
    int prossimotriangolo = 1;
    int prossimocerchio = 1;
    int l = 1;

    int numerorettangoli() const { return prossimorettangolo - 1; }
    int numerotriangoli() const { return prossimotriangolo - 1; }
    int numerocerchi() const { return prossimocerchio - 1; }
    int numerolinee() const { return l - 1; }

    // Empty tables, counters back to 1.
    void svuota();

    // Snap points of element n from its stored coordinates (creation, move, modify).
    void puntidirettangolo(int n);
    void puntiditriangolo(int n);
    void puntidicerchio(int n);
    void puntidilinea(int n);

    // Element n from its stored coordinates, density and radius: area, mass,
    // centroid and snap points, as drawing computes them.
    void completarettangolo(int n);
    void completatriangolo(int n);
    void completacerchio(int n, float pigreco);

    // Translate element n by (dx, dy): coordinates, centroid and snap points,
    // each coordinate stored as a float; density, area, mass and radius stay.
    void spostarettangolo(int n, float dx, float dy);
    void spostatriangolo(int n, float dx, float dy);
    void spostacerchio(int n, float dx, float dy);
    void spostalinea(int n, float dx, float dy);

    // Remove element n, moving the later ones one number down and zeroing the
    // last row of the table and of its snap-point table; the counter drops by one.
    void cancellarettangolo(int n);
    void cancellatriangolo(int n);
    void cancellacerchio(int n);
    void cancellalinea(int n);
};

// sign(v) as -1, 0 or +1.
float segno(float v);

// Signed area of an element: geometric area times sign(densita).
float arearettangolo(float x1, float y1, float x2, float y2, float densita);
float areatriangolo(float x1, float y1, float x2, float y2, float x3, float y3, float densita);
float areacerchio(float raggio, float densita, float pigreco);

}  // namespace vask
