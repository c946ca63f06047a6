[Library Effect]
Lifetime=2
Version=2.00
Display Name=KFWS paratrooper stream

[Properties]
Cockpit=1
VirtualCockpit=1
Spot=1
Tower=1
Map=1

[Emitter.0]
Lifetime=0.00, 0.00
Delay=0.00, 0.00
Bounce=0.00
Rate=4.00, 4.00
X Emitter Velocity=0.00, 0.00
Y Emitter Velocity=0.00, 0.00
Z Emitter Velocity=-2.00, -2.00
Drag=0.00, 0.00
X Particle Velocity=-0.50, 0.50
Y Particle Velocity=-3.00, -2.00
Z Particle Velocity=-1.00, 1.00
X Rotation=0.00, 0.00
Y Rotation=0.00, 0.00
Z Rotation=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00

[Particle.0]
Lifetime=3.00, 3.00
Type=18, 18
X Scale=1.00, 1.00
Y Scale=1.00, 1.00
Z Scale=1.00, 1.00
X Scale Rate=0.00, 0.00
Y Scale Rate=0.00, 0.00
Z Scale Rate=0.00, 0.00
Drag=0.00, 0.00
Color Rate=0.00, 0.00
X Offset=0.00, 0.00
Y Offset=0.00, 0.00
Z Offset=0.00, 0.00
Fade In=0.00, 0.00
Fade Out=0.50, 0.50
Shade=1.00
Face=0.00

[ParticleAttributes.0]
Blend Mode=1
Texture=fx_1.bmp
Color Start=200, 200, 200, 255
Color End=200, 200, 200, 0
Jitter Distance=0.00
Jitter Time=0.00
uv1=0.00, 0.00
uv2=1.00, 1.00
X Scale Goal=1.00
Y Scale Goal=1.00
Z Scale Goal=1.00
Extrude Length=0.00
