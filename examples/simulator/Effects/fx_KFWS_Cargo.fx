[Library Effect]
Lifetime=5
Version=2.00
Display Name=KFWS Cargo
Radius=40
Priority=0

[Properties]
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=0

[Emitter.0]
Lifetime=0, 0
Delay=0, 0
Bounce=0.00
Rate=2.00, 2.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=-8.00, -10.00
Z Emitter Velocity=0.00, 0.00
Drag=0.00, 0.00
X Particle Velocity=0.00, 0.00
Y Particle Velocity=0.00, 0.00
Z Particle Velocity=0.00, 0.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00

[Particle.0]
Lifetime=3, 4
Type=18, 18
X Scale=2.00, 2.50
Y Scale=2.00, 2.50
Z Scale=2.00, 2.50
X Scale Rate=0.50, 0.50
Y Scale Rate=0.50, 0.50
Z Scale Rate=0.50, 0.50
Drag=0.00, 0.00
Color Rate=0.50, 0.50
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.10, 0.10
Fade Out=1.00, 1.00
Shade=0.00
Face=1

[ParticleAttributes.0]
Blend Mode=1
Texture=fx_smoke.bmp
Color Start=210, 180, 120, 220
Color End=160, 140, 100, 0
Jitter Distance=0.00
Jitter Time=0.00
uv1=0.00, 0.00
uv2=1.00, 1.00
X Scale Goal=0.00
Y Scale Goal=0.00
Z Scale Goal=0.00
Extrude Length=0.00
