; KFWS_Airdrop: one paratrooper under his canopy per pulse.
; The module switches this effect on and off within one drop tick, so the emitter
; releases a single canopy at once and stops; the effect itself lives on while the
; canopy falls and drifts aft behind the exit.
[Library Effect]
Lifetime=10
Version=2.00
Display Name=KFWS Paratroopers
Priority=0
Radius=40

[Properties]
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=0

[Emitter.0]
Lifetime=0.05, 0.05
Delay=0.00, 0.00
Bounce=0.00
Rate=20.00, 20.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=-0.50, 0.50
Y Particle Velocity=-6.00, -5.00
Z Particle Velocity=-4.00, -3.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=-2.00, -2.00
Z Offset=0.00, 0.00

[Particle.0]
Lifetime=8.00, 9.00
Type=1
X Scale=7.00, 7.00
Y Scale=7.00, 7.00
Z Scale=7.00, 7.00
X Scale Rate=0.00, 0.00
Y Scale Rate=0.00, 0.00
Z Scale Rate=0.00, 0.00
Drag=0.10, 0.10
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.30, 0.30
Fade Out=1.00, 1.00
Shade=0.00
Face=1

[ParticleAttributes.0]
Blend Mode=1
Texture=fx_KFWS_Canopy.bmp
Color Start=255, 255, 255, 255
Color End=255, 255, 255, 220
Jitter Distance=0.00, 0.00
Jitter Time=0.00, 0.00
uv1=0.00, 0.00
uv2=1.00, 1.00
X Scale Goal=7.00, 7.00
Y Scale Goal=7.00, 7.00
Z Scale Goal=7.00, 7.00
Extrude Length=0.00, 0.00
