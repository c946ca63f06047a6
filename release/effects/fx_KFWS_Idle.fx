// KFWS_Airdrop: an effect that shows nothing. Aircraft prepared for the drop get their
// smoke lines with this effect, so the pilot switching the smoke system himself sees
// nothing there. During a drop the module puts its own effects into those emitters.
[Library Effect]
// Library lifetime 5, version 2.00, radius -1 and priority 0: what real effects give.
Lifetime=5
Version=2.00
Radius=-1
Priority=0
Display Name=KFWS Idle

[Properties]
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=1

[Emitter.0]
// One emitter, as every real effect has, that makes no particle (rate 0.00) and stops
// after half a second, the commonest emitter life in real files.
Lifetime=0.50, 0.50
Delay=0.00, 0.00
Bounce=0.00
Rate=0.00, 0.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=0.00, 0.00
Y Particle Velocity=0.00, 0.00
Z Particle Velocity=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
Pitch=0.00, 0.00
Bank=0.00, 0.00
Heading=0.00, 0.00

[Particle.0]
// Should a particle come all the same, it is of no size and fully transparent, and
// gone after half a second.
Lifetime=0.50, 0.50
Type=19
Rotation=0.00, 0.00
X Scale=0.00, 0.00
Y Scale=0.00, 0.00
Z Scale=0.00, 0.00
X Scale Rate=0.00, 0.00
Y Scale Rate=0.00, 0.00
Z Scale Rate=0.00, 0.00
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.00, 0.00
Fade Out=0.00, 0.00
Face=1, 1, 1

[ParticleAttributes.0]
// Black with alpha 0 shows nothing with any blend. The bitmap is the stock atlas that
// most real sections name: no bitmap of ours is needed.
Blend Mode=2
Texture=fx_2.bmp
Color Start=0, 0, 0, 0
Color End=0, 0, 0, 0
Bounce=0.00
X Scale Goal=0.00
Y Scale Goal=0.00
Z Scale Goal=0.00
Jitter Distance=0.00
Jitter Time=0.00
Extrude Length=0.00
Extrude Pitch Max=0.00
Extrude Heading Max=0.00
uv1=0.00, 0.00
uv2=0.50, 0.50
