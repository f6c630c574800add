#pragma once

#include <QObject>
#include <QtQml/qqml.h>

// Settings for Qt Quick's SpringAnimation that reproduce a physical spring.
//
// SpringAnimation moves in fixed steps of h = 16 ms (with its mass left at 1):
//     v <- v + spring * (to - x) - damping * v;    x <- x + v * h
// For the distance d = x - to and u = v * h one step is the linear map
//     [d]    [1 - spring*h   1 - damping] [d]
//     [u] <- [ -spring*h     1 - damping] [u]
// whose determinant is 1 - damping and whose trace is 2 - damping - spring*h.
//
// A damped spring with stiffness k and damping c per unit mass (x'' = -k d - c x') moves as a
// mix of exp(l t) for the two roots l of l^2 + c l + k = 0; sampled every h, its step map
// has eigenvalues exp(l h), so determinant exp(-c h) and trace exp(l1 h) + exp(l2 h).
// Equating the two gives settings with exactly the spring's frequency and decay:
//     damping = 1 - exp(-c h),    spring = (2 - damping - trace) / h.
// Started from rest, the stepped motion then runs about half a step (8 ms) ahead of the true
// curve and stays within about 1% of the distance travelled. (The first-order settings
// spring = k h, damping = c h stray by about 5% with the stiff springs used here.)
//
// A spring given by response r (its undamped period, seconds) and damping fraction z has
//     k = (2 pi / r)^2,   c = 4 pi z / r   (per unit mass).
// Playing it at speed s runs its clock s times faster, x_s(t) = x(s t): the frequency is
// multiplied by s, so k becomes s^2 k and c becomes s c.
// A spring given by mass m, stiffness K and damping C has k = K / m and c = C / m.
struct QtSpringSettings
{
    double spring = 0;
    double damping = 0;
};

// SpringAnimation's fixed step, seconds.
inline constexpr double kSpringAnimationStep = 0.016;

// From response (seconds), damping fraction and playback speed.
QtSpringSettings springFromResponse(double response, double dampingFraction, double speed = 1);
// From mass, stiffness and damping coefficient.
QtSpringSettings springFromCoefficients(double mass, double stiffness, double damping);

// The two springs the decorations move with, ready for SpringAnimation (mass 1):
// the bar spring (response 0.5 s, damping fraction 0.5, played at speed 1.5), which every
// piece of a bar enters with, and the pager spring (mass 0.1, stiffness 20, damping 1.5),
// which carries a tile's circle and bar when the current page changes.
class BarSpring : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(double spring READ spring CONSTANT)
    Q_PROPERTY(double damping READ damping CONSTANT)
    Q_PROPERTY(double pagerSpring READ pagerSpring CONSTANT)
    Q_PROPERTY(double pagerDamping READ pagerDamping CONSTANT)
    // Close enough to rest, in points.
    Q_PROPERTY(double epsilon READ epsilon CONSTANT)

public:
    using QObject::QObject;

    static QtSpringSettings bar();
    static QtSpringSettings pager();

    double spring() const { return bar().spring; }
    double damping() const { return bar().damping; }
    double pagerSpring() const { return pager().spring; }
    double pagerDamping() const { return pager().damping; }
    double epsilon() const { return 0.25; }
};
