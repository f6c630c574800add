import QtQuick

// A springy size change, described the way designers give springs: the time of one swing
// (`response`, seconds), how much of the critical damping it has (`dampingFraction`) and a
// `speed` that plays it faster.
//
// Qt's SpringAnimation steps every h = 16 ms with  v += spring·(to − x) − damping·v;
// x += v·h. That is a unit mass with stiffness spring/h and damping damping/h. A spring of
// response R and damping fraction ζ has stiffness (2π/R)² and damping 4πζ/R; playing it
// `speed` times faster divides R by speed. So spring = h·(2π·speed/R)² and
// damping = h·4πζ·speed/R: response 0.5, fraction 0.3 at speed 2 gives spring 10.1 and
// damping 0.24; at speed 3, spring 22.7 and damping 0.36.
SpringAnimation {
    property real response: 0.5
    property real dampingFraction: 0.3
    property real speed: 1
    readonly property real step: 0.016
    readonly property real playedResponse: response / speed

    spring: step * Math.pow(2 * Math.PI / playedResponse, 2)
    damping: step * 4 * Math.PI * dampingFraction / playedResponse
    epsilon: 0.25
}
