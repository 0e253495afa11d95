<ini device="Rb604">
 