// KFWS_Airdrop: one paratrooper under his canopy per pulse of the smoke system.
// The module switches this effect on and off within one one-second drop tick.
[Library Effect]
// Library lifetime 5, version 2.00, radius -1 and priority 0: what real effects give,
// endless ones too. The emitters below decide how long this one emits.
Lifetime=5
Version=2.00
Radius=-1
Priority=0
Display Name=KFWS Paratroopers

[Properties]
// Every view the pilot may watch the drop from, each flag written as real files write it.
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=1

[Emitter.0]
// A one-second burst at one particle a second: one canopy per pulse, also should the
// emitter run its whole life after the off event.
Lifetime=1.00, 1.00
Delay=0.00, 0.00
Bounce=0.00
Rate=1.00, 1.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
// Metres a second: a canopy sinks at about 5 and slips aft of the exit, a little sideways.
X Particle Velocity=-0.50, 0.50
Y Particle Velocity=-6.00, -5.00
Z Particle Velocity=-4.00, -3.00
// The canopy's middle 2 m below the exit point, so the jumper hangs below the door.
X Offset=0.00, 0.00
Y Offset=-2.00, -2.00
Z Offset=0.00, 0.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
Pitch=0.00, 0.00
Bank=0.00, 0.00
Heading=0.00, 0.00

[Particle.0]
// Eight to nine seconds of descent.
Lifetime=8.00, 9.00
// 19: the camera-facing billboard of most real particles, upright, never turned.
Type=19
Rotation=0.00, 0.00
// 7 m square, flat like every billboard (no Z size), not growing.
X Scale=7.00, 7.00
Y Scale=7.00, 7.00
Z Scale=0.00, 0.00
X Scale Rate=0.00, 0.00
Y Scale Rate=0.00, 0.00
Z Scale Rate=0.00, 0.00
// No drag (real particles have none or a negative one): the canopy keeps its speed.
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
// Shares of the particle's life: opens in its first tenth, fades in its last fifth.
Fade In=0.10, 0.10
Fade Out=0.20, 0.20
Face=1, 1, 1

[ParticleAttributes.0]
// Blend 2, as most real sections, the bitmap's own colours and alpha unchanged.
Blend Mode=2
Texture=fx_KFWS_Canopy.bmp
Color Start=255, 255, 255, 255
Color End=255, 255, 255, 255
Bounce=0.00
// Size goals equal to the size itself: the canopy keeps its size whichever way the
// goal is read.
X Scale Goal=7.00
Y Scale Goal=7.00
Z Scale Goal=0.00
Jitter Distance=0.00
Jitter Time=0.00
Extrude Length=0.00
Extrude Pitch Max=0.00
Extrude Heading Max=0.00
// One quarter of the bitmap, as real atlases are addressed. All four quarters hold the
// same picture.
uv1=0.00, 0.00
uv2=0.50, 0.50
