#include "barspring.h"

#include <cmath>
#include <numbers>

namespace {

// k and c per unit mass.
QtSpringSettings springPerUnitMass(double k, double c)
{
    const double h = kSpringAnimationStep;
    const double decay = c / 2;
    const double discriminant = decay * decay - k;
    // exp(l1 h) + exp(l2 h) for the roots l = -decay +- sqrt(discriminant).
    double trace;
    if (discriminant < 0)
        trace = 2 * std::exp(-decay * h) * std::cos(std::sqrt(-discriminant) * h);
    else
        trace = 2 * std::exp(-decay * h) * std::cosh(std::sqrt(discriminant) * h);
    const double damping = 1 - std::exp(-c * h);
    return {(2 - damping - trace) / h, damping};
}

} // namespace

QtSpringSettings springFromResponse(double response, double dampingFraction, double speed)
{
    const double omega = 2 * std::numbers::pi / response * speed;
    return springPerUnitMass(omega * omega, 2 * dampingFraction * omega);
}

QtSpringSettings springFromCoefficients(double mass, double stiffness, double damping)
{
    return springPerUnitMass(stiffness / mass, damping / mass);
}

QtSpringSettings BarSpring::bar()
{
    // k = (6 pi)^2 = 355.3, c = 6 pi = 18.85 per unit mass  ->  spring 4.87, damping 0.260
    return springFromResponse(0.5, 0.5, 1.5);
}

QtSpringSettings BarSpring::pager()
{
    // k = 200, c = 15 per unit mass  ->  spring 2.83, damping 0.213
    return springFromCoefficients(0.1, 20, 1.5);
}
